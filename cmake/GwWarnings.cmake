# Warnings as errors on our own code, and the sanitizer build switch.
add_library(gw_options INTERFACE)
target_compile_options(gw_options INTERFACE -Wall -Wextra -Werror)
if(GW_SANITIZE)
    # GCC's flow analysis reports false "maybe uninitialized" warnings once the sanitizers instrument
    # the code (std::function around lambdas); the normal build keeps the warning as an error.
    target_compile_options(gw_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined -Wno-maybe-uninitialized)
    target_link_options(gw_options INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(gw_options INTERFACE
    GW_VERSION_TEXT="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK}"
    GW_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} GW_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    GW_VERSION_PATCH=${PROJECT_VERSION_PATCH} GW_VERSION_TWEAK=${PROJECT_VERSION_TWEAK})
