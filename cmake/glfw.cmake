# GLFW 3.3.8 from Debian's source package (fetched by scripts/setup.sh into
# third_party/), built into this project for the target platform. The files
# of glfw_attach/ are compiled into the library itself, because the attach
# operation works on the library's internal window record.
set(VELMARIS_GLFW_SOURCE ${CMAKE_SOURCE_DIR}/third_party/glfw3-3.3.8 CACHE PATH "GLFW 3.3.8 source tree")
if(NOT EXISTS ${VELMARIS_GLFW_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GLFW source not found at ${VELMARIS_GLFW_SOURCE}: run scripts/setup.sh")
endif()

set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELMARIS_GLFW_SOURCE} ${CMAKE_BINARY_DIR}/glfw EXCLUDE_FROM_ALL)

file(GLOB VELMARIS_GLFW_ATTACH_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/glfw_attach/*_${VELMARIS_BACKEND}.c)
target_sources(glfw PRIVATE ${VELMARIS_GLFW_ATTACH_SOURCES})
target_include_directories(glfw PRIVATE ${VELMARIS_GLFW_SOURCE}/src)
target_include_directories(glfw INTERFACE ${CMAKE_SOURCE_DIR}/glfw_attach)
