// The platform inside a web page: the page's canvas, sleeps that yield to the browser, and
// saves kept in the browser's storage. Built only for the browser.
#pragma once

#include "shell/platform.h"

Platform browserPlatform();
