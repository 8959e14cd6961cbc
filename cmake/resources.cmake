# On Linux the executable's resources are an embedded table, generated from
# the same resource script that windres compiles for Windows: every line
# "<id> <TYPE> "<file>"" of the script becomes one entry.
function(velmaris_embed_resources target rc_file)
    get_filename_component(rc_file ${rc_file} ABSOLUTE)
    get_filename_component(rc_dir ${rc_file} DIRECTORY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc_file})
    file(STRINGS ${rc_file} lines REGEX "^[ \t]*[0-9]+[ \t]+[A-Z]+[ \t]+\"")

    set(asm "    .section .rodata\n")
    set(decls "")
    set(entries "")
    set(files "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^[ \t]*([0-9]+)[ \t]+([A-Z]+)[ \t]+\"([^\"]+)\"" _ "${line}")
        set(id ${CMAKE_MATCH_1})
        set(type ${CMAKE_MATCH_2})
        set(path ${rc_dir}/${CMAKE_MATCH_3})
        set(symbol velmaris_resource_${type}_${id})
        string(APPEND asm "    .balign 16\n    .global ${symbol}\n${symbol}:\n    .incbin \"${path}\"\n"
                          "    .global ${symbol}_end\n${symbol}_end:\n")
        string(APPEND decls "extern \"C\" const unsigned char ${symbol}[];\nextern \"C\" const unsigned char ${symbol}_end[];\n")
        string(APPEND entries "    {\"${type}\", ${id}, ${symbol}, ${symbol}_end},\n")
        list(APPEND files ${path})
    endforeach()
    string(APPEND asm "    .section .note.GNU-stack,\"\",@progbits\n")

    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
    file(CONFIGURE OUTPUT ${out_dir}/resources.S CONTENT "${asm}")
    file(CONFIGURE OUTPUT ${out_dir}/resource_table.cpp CONTENT
"#include \"embedded_resources.h\"\n\n${decls}\nnamespace platform {\nconst EmbeddedResource embeddedResources[] = {\n${entries}    {nullptr, 0, nullptr, nullptr},\n};\n}  // namespace platform\n")
    set_source_files_properties(${out_dir}/resources.S PROPERTIES OBJECT_DEPENDS "${files}")
    target_sources(${target} PRIVATE ${out_dir}/resources.S ${out_dir}/resource_table.cpp)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/platform)
endfunction()

# The executable's resources, by the backend's own means.
function(velmaris_add_resources target rc_file)
    if(WIN32)
        get_filename_component(rc_dir ${rc_file} DIRECTORY)
        target_sources(${target} PRIVATE ${rc_file})
        target_include_directories(${target} PRIVATE ${rc_dir})
    else()
        velmaris_embed_resources(${target} ${rc_file})
    endif()
endfunction()
