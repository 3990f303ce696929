# The same Windows code as 64-bit programs, for testing under Wine on
# machines whose kernel cannot run 32-bit programs (and so not wine32).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
