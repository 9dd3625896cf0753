# Compile flags shared by the program, its tests and the fuzz build.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_AUTOMOC ON)

# No QString is turned into bytes without saying in which encoding.
add_compile_definitions(QT_NO_CAST_TO_ASCII)

option(QM_WERROR "Treat compiler warnings as errors" OFF)

if(MSVC)
  add_compile_options(/W4)
  if(QM_WERROR)
    add_compile_options(/WX)
  endif()
else()
  add_compile_options(-Wall -Wextra -Wshadow -Wformat=2 -Wundef)
  if(QM_WERROR)
    add_compile_options(-Werror)
  endif()
endif()
