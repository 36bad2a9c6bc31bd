# gw_add_folder_library(NAME FOLDER DEPS...): a static library of every .cpp in one source folder,
# so that each subsystem folder is one library and adding a file needs no CMake edit.
function(gw_add_folder_library name folder)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC gw_options ${ARGN})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE gw_options ${ARGN})
    endif()
endfunction()
