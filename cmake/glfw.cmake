# GLFW 3.3.8 from Debian's source package (fetched by scripts/setup.sh into
# third_party/), built into this project for the target platform. The files
# of glfw_attach/ are compiled into the library itself, because the attach
# operation works on the library's internal window record.
set(VELMARIS_GLFW_SOURCE ${CMAKE_SOURCE_DIR}/third_party/glfw3-3.3.8 CACHE PATH "GLFW 3.3.8 source tree")
if(NOT EXISTS ${VELMARIS_GLFW_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GLFW source not found at ${VELMARIS_GLFW_SOURCE}: run scripts/setup.sh")
endif()

# The library is built from a copy in the build folder with our patch
# (glfw_attach/glfw-attach.patch) applied; third_party/ stays as Debian ships it.
set(VELMARIS_GLFW_PATCH ${CMAKE_SOURCE_DIR}/glfw_attach/glfw-attach.patch)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELMARIS_GLFW_PATCH})
file(SHA256 ${VELMARIS_GLFW_PATCH} glfw_patch_hash)
set(VELMARIS_GLFW_PATCHED ${CMAKE_BINARY_DIR}/glfw-source)
set(glfw_patched_stamp ${VELMARIS_GLFW_PATCHED}/.velmaris-patched-${glfw_patch_hash})
if(NOT EXISTS ${glfw_patched_stamp})
    file(REMOVE_RECURSE ${VELMARIS_GLFW_PATCHED})
    file(COPY ${VELMARIS_GLFW_SOURCE}/ DESTINATION ${VELMARIS_GLFW_PATCHED})
    find_program(VELMARIS_PATCH patch REQUIRED)
    execute_process(COMMAND ${VELMARIS_PATCH} -p1 --forward --quiet -i ${VELMARIS_GLFW_PATCH}
                    WORKING_DIRECTORY ${VELMARIS_GLFW_PATCHED} RESULT_VARIABLE glfw_patch_result)
    if(NOT glfw_patch_result EQUAL 0)
        message(FATAL_ERROR "${VELMARIS_GLFW_PATCH} does not apply to ${VELMARIS_GLFW_SOURCE}")
    endif()
    file(TOUCH ${glfw_patched_stamp})
endif()

set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELMARIS_GLFW_PATCHED} ${CMAKE_BINARY_DIR}/glfw EXCLUDE_FROM_ALL)

file(GLOB VELMARIS_GLFW_ATTACH_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/glfw_attach/*_${VELMARIS_BACKEND}.c)
target_sources(glfw PRIVATE ${VELMARIS_GLFW_ATTACH_SOURCES})
target_include_directories(glfw PRIVATE ${VELMARIS_GLFW_PATCHED}/src)
target_include_directories(glfw INTERFACE ${CMAKE_SOURCE_DIR}/glfw_attach)
