# Writes sw.js beside the browser build with the digest of the build's files, so each build
# is one cache of its own. Run after every build of the browser target:
#   cmake -DWEB=<web folder> -DOUT=<build folder> -P cmake/web-offline.cmake
set(files index.html page.css log.js saves.js runs.js check.js page.js offline.js touch.js webgl.js manifest.webmanifest void-angler.js
          void-angler.wasm void-angler.data icons/void-angler-192.png icons/void-angler-512.png)
set(listing "")
set(quoted "")
foreach(f IN LISTS files)
    file(SHA256 ${OUT}/${f} sum)
    string(APPEND listing "${f} ${sum}\n")
    list(APPEND quoted "'${f}'")
endforeach()
string(SHA256 sum "${listing}")
string(SUBSTRING ${sum} 0 16 BUILD_DIGEST)
list(JOIN quoted ", " BUILD_FILES)
# Written only when it changes, so an unchanged build keeps its cache.
configure_file(${WEB}/sw.js ${OUT}/sw.js @ONLY)
