# Editing handlers, DRAVO drive-unit panels and parameter validation.
file(GLOB edit_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/edit_*.cpp)
if(edit_sources)
    gw_add_test(params_edit_test SOURCES ${edit_sources} LIBS gwcore_params)
endif()

file(GLOB validation_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/validation_*.cpp)
if(validation_sources)
    gw_add_test(params_validation_test SOURCES ${validation_sources} LIBS gwcore_params)
endif()
