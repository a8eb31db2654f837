# Helpers shared by every folder of the project.

# ks_module(<target> [SUBDIRS dir...] [LIBS lib...])
# A static library made of every .cpp in the calling folder (and the given
# subfolders). Headers are included as "folder/File.h" from src/.
function(ks_module target)
    cmake_parse_arguments(ARG "" "" "SUBDIRS;LIBS;EXCLUDE" ${ARGN})
    set(globs ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(dir IN LISTS ARG_SUBDIRS)
        list(APPEND globs ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${globs})
    foreach(ex IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
    endforeach()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
endfunction()

# ks_add_tests(LIBS lib... [ENVIRONMENT var=value...] [FIXTURES name...] [LABELS label...])
# One Qt Test program per tst_*.cpp in the calling folder. Each test runs with
# a private HOME and XDG_CONFIG_HOME under the build tree, offscreen.
function(ks_add_tests)
    cmake_parse_arguments(ARG "" "" "LIBS;ENVIRONMENT;FIXTURES;LABELS;SOURCES" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(src IN LISTS tests)
        get_filename_component(name ${src} NAME_WE)
        ks_add_test(${name} SOURCES ${src} ${ARG_SOURCES} LIBS ${ARG_LIBS}
                    ENVIRONMENT ${ARG_ENVIRONMENT} FIXTURES ${ARG_FIXTURES} LABELS ${ARG_LABELS})
    endforeach()
endfunction()

# ks_add_test(<name> SOURCES src... LIBS lib... [ENVIRONMENT ...] [FIXTURES ...] [LABELS ...])
function(ks_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENVIRONMENT;FIXTURES;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        KS_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KS_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set(home ${PROJECT_BINARY_DIR}/testhome/${name})
    file(MAKE_DIRECTORY ${home})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;${ARG_ENVIRONMENT}"
        TIMEOUT 300)
    if(ARG_FIXTURES)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${ARG_FIXTURES}")
    endif()
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()

# korvane_stamp_version(<target>)
# Writes the project's version record into the built executable (an ELF note
# carrying a VS_VERSIONINFO structure), so getVersao and `kxadmin versao` read it.
function(korvane_stamp_version target)
    # kxcarimbo (tools/kxcarimbo) does the writing; the leak checker of a
    # sanitizer build must not fail the build over its exit.
    add_dependencies(${target} kxcarimbo)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:kxcarimbo> $<TARGET_FILE:${target}> ${PROJECT_VERSION}
                $<TARGET_FILE_NAME:${target}> KorvaneStart "KX Rozedeve"
        COMMENT "Gravando o registro de versão de ${target}"
        VERBATIM)
endfunction()
