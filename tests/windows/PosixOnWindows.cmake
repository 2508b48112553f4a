# MinGW lacks a few POSIX calls the tests make (mkdtemp, mkfifo, mmap): every
# test file sees them declared, and every test links their Windows versions.
add_library(posix_on_windows STATIC ${CMAKE_CURRENT_LIST_DIR}/PosixOnWindows.cpp)
target_include_directories(posix_on_windows PUBLIC ${CMAKE_CURRENT_LIST_DIR}/include)
include_directories(${CMAKE_CURRENT_LIST_DIR}/include)
add_compile_options("SHELL:-include PosixOnWindows.h")
link_libraries(posix_on_windows)
