# Warnings as errors on our own code, and the sanitizer build switch.
add_library(gw_options INTERFACE)
target_compile_options(gw_options INTERFACE -Wall -Wextra -Werror)
if(GW_SANITIZE)
    target_compile_options(gw_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
    target_link_options(gw_options INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(gw_options INTERFACE
    GW_VERSION_TEXT="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK}"
    GW_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} GW_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    GW_VERSION_PATCH=${PROJECT_VERSION_PATCH} GW_VERSION_TWEAK=${PROJECT_VERSION_TWEAK})
