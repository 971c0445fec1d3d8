cmake_minimum_required(VERSION 3.22)
# Holds every file of src/ to its layer's rules: it includes headers only of its
# own folder and of the folders its layer may use, draws random numbers only
# from the game's own generator, and takes sin, cos, atan2, log and the like only
# from the game's own maths module.
# cmake -DSRC=<src dir> -DRULES="|layer:use,use|..." -P layers.cmake
string(REPLACE "|" ";" rules "${RULES}")
set(maths "(sin|cos|tan|atan|atan2|log|log2|exp|pow)")
set(maths_home "geometry/exact_math\\.(h|cpp)")
set(failures "")
foreach(rule IN LISTS rules)
    if(NOT rule MATCHES "^([a-z]+):(.*)$")
        continue()
    endif()
    set(layer ${CMAKE_MATCH_1})
    string(REPLACE "," ";" allowed "${layer},${CMAKE_MATCH_2}")
    file(GLOB_RECURSE files "${SRC}/${layer}/*.h" "${SRC}/${layer}/*.cpp")
    foreach(f IN LISTS files)
        file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE ".*\"([a-z_]+)/.*" "\\1" folder "${line}")
            if(NOT folder IN_LIST allowed)
                list(APPEND failures "${f}: ${layer} may not include ${folder}/")
            endif()
        endforeach()
        # Not in a comment: no slash before the call.
        file(STRINGS "${f}" draws REGEX "^[^/]*(std::|[^A-Za-z_])s?rand[ \t]*\\(")
        list(TRANSFORM draws PREPEND "${f}: draws from the C library's generator: ")
        list(APPEND failures ${draws})
        # The C library's transcendental functions differ between platforms: the simulation
        # takes them from geometry/exact_math.h (exact::sin and the like), and no drawing of
        # ours needs them. std::, :: or unqualified, float forms too.
        if(NOT f MATCHES "/${maths_home}$")
            file(STRINGS "${f}" calls REGEX "^[^/]*(std::|[^A-Za-z_:]::|[^A-Za-z_:.])${maths}f?[ \t]*\\(")
            list(TRANSFORM calls PREPEND "${f}: the C library's maths (use exact_math.h): ")
            list(APPEND failures ${calls})
        endif()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
