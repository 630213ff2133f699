# Build helpers shared by every folder. Libraries and test programs collect their
# sources by glob, so adding a file to a folder needs no change here.

if(WIN32)
  set(SKARVEL_WINDOWS ON)
else()
  set(SKARVEL_WINDOWS OFF)
endif()

set(SKARVEL_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wno-missing-field-initializers)

if(SKARVEL_SANITIZE AND NOT SKARVEL_WINDOWS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(SKARVEL_WINDOWS)
  # One self-contained executable: no libstdc++/winpthread DLLs to ship beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# skarvel_library(NAME FOLDER [DEPS ...]) — a static library of every .cpp under FOLDER
# (recursively), with src/ on the include path.
function(skarvel_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT SKARVEL_WINDOWS)
    list(FILTER sources EXCLUDE REGEX "/win32/")
  endif()
  if(NOT sources)
    # A layer with headers only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    if(ARGN)
      target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${SKARVEL_WARNINGS})
  if(ARGN)
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# skarvel_test(NAME FOLDER [DEPS ...]) — one GoogleTest program of every .cpp in FOLDER,
# registered with CTest. On the Windows build CTest runs it under Wine. Its timeout is set
# where it is added (tests/CMakeLists.txt).
function(skarvel_test name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${SKARVEL_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "SKARVEL_SOURCE_DIR=${PROJECT_SOURCE_DIR};SKARVEL_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()

# What the version information and the packages say about the product.
set(SKARVEL_VERSION ${PROJECT_VERSION})
string(REPLACE "." "," SKARVEL_VERSION_COMMAS ${SKARVEL_VERSION})
set(SKARVEL_COMPANY "Skarvel Project")
set(SKARVEL_COPYRIGHT "Copyright (C) 2026 Skarvel Project")

# skarvel_split_debug_info(TARGET) — moves the debug information of TARGET into TARGET.exe.debug
# beside it and strips the executable, which keeps a link to that file so that a debugger finds
# it again for a crash analysis. Every Windows build does this, not only the release: Wine reads
# a whole image into memory at start, and the debug sections made skarvel.exe 16 times its
# stripped size (37 MB) and its start under Wine about 120 ms slower.
function(skarvel_split_debug_info target)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "splitting the debug information needs objcopy")
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}>
            $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all
            --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

# skarvel_delay_import(VAR DLL...) — delay-import libraries for system DLLs (ole32 ...): each DLL
# is loaded on the first call of one of its functions, not before the program starts. VAR gets
# the libraries to link, with the loader's helper.
function(skarvel_delay_import var)
  find_program(SKARVEL_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)
  find_program(SKARVEL_NM NAMES x86_64-w64-mingw32-nm REQUIRED)
  set(libraries)
  foreach(dll IN LISTS ARGN)
    find_library(SKARVEL_IMPORT_LIB_${dll} NAMES lib${dll}.a REQUIRED)
    set(out ${PROJECT_BINARY_DIR}/delay_import/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DNM=${SKARVEL_NM} -DDLLTOOL=${SKARVEL_DLLTOOL}
              -DIMPORT_LIB=${SKARVEL_IMPORT_LIB_${dll}} -DDLL=${dll}.dll -DOUT=${out}
              -P ${PROJECT_SOURCE_DIR}/cmake/make_delay_import.cmake
      DEPENDS ${PROJECT_SOURCE_DIR}/cmake/make_delay_import.cmake ${SKARVEL_IMPORT_LIB_${dll}}
      COMMENT "Making the delay-import library of ${dll}.dll")
    list(APPEND libraries ${out})
  endforeach()
  add_custom_target(skarvel_delay_imports DEPENDS ${libraries})
  list(APPEND libraries delayimp)
  set(${var} ${libraries} PARENT_SCOPE)
endfunction()
