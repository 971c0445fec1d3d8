# Copies the project's licence into the Windows zip, with Windows line ends, when there is one.
# cmake -DSRC=<source dir> -DDEST=<zip folder> -P windows-licence.cmake
foreach(name LICENSE LICENSE.txt LICENSE.md COPYING)
    if(EXISTS ${SRC}/${name})
        file(READ ${SRC}/${name} text)
        string(REPLACE "\n" "\r\n" text "${text}")
        file(WRITE ${DEST}/LICENSE.txt "${text}")
        return()
    endif()
endforeach()
message(WARNING "no licence file in ${SRC}: the zip goes without one")
