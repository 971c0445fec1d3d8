# The HUD's tests arrive with the labels.
