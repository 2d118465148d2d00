# cartelim_add_library(<target> [LINK <libs>...])
# Builds every .cpp/.h of the calling folder into a static library whose headers are
# included as "<folder>/<file>.h" from src/.
function(cartelim_add_library target)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC cartelim_options ${ARG_LINK})
endfunction()

# cartelim_add_test_suite(<target> [APP core|gui|widgets] [LINK <libs>...] [ENVIRONMENT <k=v>...])
# One GoogleTest executable from every .cpp of the calling folder plus the shared main, which creates
# the Qt application object named by APP (default core); each test case is registered with ctest and
# runs offscreen with a private runtime folder.
function(cartelim_add_test_suite target)
    cmake_parse_arguments(ARG "" "APP" "LINK;ENVIRONMENT" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_executable(${target} ${sources} ${PROJECT_SOURCE_DIR}/tests/TestMain.cpp)
    if(ARG_APP STREQUAL "widgets")
        target_compile_definitions(${target} PRIVATE CARTELIM_TEST_APP_WIDGETS)
        target_link_libraries(${target} PRIVATE Qt6::Widgets)
    elseif(ARG_APP STREQUAL "gui")
        target_compile_definitions(${target} PRIVATE CARTELIM_TEST_APP_GUI)
        target_link_libraries(${target} PRIVATE Qt6::Gui)
    else()
        target_link_libraries(${target} PRIVATE Qt6::Core)
    endif()
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE cartelim_options GTest::gtest GTest::gmock ${ARG_LINK})
    set(runtime_dir ${CMAKE_BINARY_DIR}/xdg-runtime)
    file(MAKE_DIRECTORY ${runtime_dir})
    file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    gtest_discover_tests(${target}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime_dir};LC_ALL=C.UTF-8;CARTELIM_SOURCE_DIR=${PROJECT_SOURCE_DIR};${ARG_ENVIRONMENT}")
endfunction()
