# Source selection: a file named *_win.cpp, and every file under a folder named "win", is Windows
# code; a file named *_posix.cpp is the host build's stand-in for one; everything else is portable
# and is built by both trees.

function(kb_sources out dir)
    file(GLOB_RECURSE all CONFIGURE_DEPENDS ${dir}/*.cpp)
    set(picked)
    foreach(f IN LISTS all)
        if(f MATCHES "_win(_test)?\\.cpp$" OR f MATCHES "/win/")
            if(WIN32)
                list(APPEND picked ${f})
            endif()
        elseif(f MATCHES "_posix(_test)?\\.cpp$")
            if(NOT WIN32)
                list(APPEND picked ${f})
            endif()
        else()
            list(APPEND picked ${f})
        endif()
    endforeach()
    if(KB_FUZZ)
        list(TRANSFORM picked REPLACE "^${PROJECT_SOURCE_DIR}" "${KB_ESCAPED_DIR}")
    endif()
    set(${out} ${picked} PARENT_SCOPE)
endfunction()

function(kb_target_options target)
    # C++ only: resource scripts go to the resource compiler, which knows none of these.
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${KB_WARNINGS};${KB_CHARSET}>")
    if(KB_FUZZ)
        target_include_directories(${target} PUBLIC ${KB_ESCAPED_DIR}/src)
        add_dependencies(${target} kb_escaped)
    else()
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    endif()
endfunction()

# A static library of one source folder.
function(kb_library name dir)
    kb_sources(srcs ${dir})
    if(NOT srcs)
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARGN})
        return()
    endif()
    add_library(${name} STATIC ${srcs})
    kb_target_options(${name})
    target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test executable per test folder; GUI tests share the one virtual desktop, so they take a lock.
function(kb_test name dir)
    cmake_parse_arguments(T "GUI" "" "LIBS" ${ARGN})
    kb_sources(srcs ${dir})
    if(NOT srcs)
        return()
    endif()
    add_executable(${name} ${srcs})
    kb_target_options(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${T_LIBS} kb_test_support GTest::gmock)
    add_test(NAME ${name} COMMAND ${name})
    # A hung program (a menu or box nobody closes) fails the run instead of stalling it.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "KB_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
                                            TIMEOUT 600)
    if(T_GUI AND WIN32)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
endfunction()

# The fuzzing build's sources: clang has no -fexec-charset=CP932, and converting only the literals
# (with the C library's codec that g++ uses) keeps the bytes g++ builds while the code under test
# stays the very code the programs run. Every source and header of src and tests/fuzz, and the
# test shell the targets share with the unit tests, is copied into KB_ESCAPED_DIR by the escaper, one file per rule so that an edit re-escapes one file.
function(kb_escape_sources escaper)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
         ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
         ${PROJECT_SOURCE_DIR}/tests/fuzz/*.cpp ${PROJECT_SOURCE_DIR}/tests/fuzz/*.h
         ${PROJECT_SOURCE_DIR}/tests/support/FakeShell.h)
    set(outputs)
    foreach(f IN LISTS files)
        set(out ${KB_ESCAPED_DIR}/${f})
        get_filename_component(dir ${out} DIRECTORY)
        add_custom_command(OUTPUT ${out}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                           COMMAND ${escaper} ${PROJECT_SOURCE_DIR}/${f} ${out}
                           DEPENDS ${PROJECT_SOURCE_DIR}/${f} ${escaper} VERBATIM)
        list(APPEND outputs ${out})
    endforeach()
    add_custom_target(kb_escaped DEPENDS ${outputs})
endfunction()
