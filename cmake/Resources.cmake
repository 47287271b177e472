# Embedding data in programs. The generated sources register their data at start-up (see
# platform/resources/resources.h); FindResource finds it by name.
#
# brenlow_embed(<target> NAME <name> FILE <file>): embeds a file.
# brenlow_layout(<target> NAME <name> LAYOUT <text layout>): compiles a text layout with
#   layoutc and embeds the form stream; the build reruns layoutc when the layout or any file
#   it includes changes.
#
# For an executable the generated source is compiled into it. A static library cannot hold
# it (the linker drops objects nothing refers to), so there the source becomes an object
# library whose objects every program linking the library links directly.

function(_brenlow_resource_base target name out_var)
    string(MAKE_C_IDENTIFIER "${name}" safe_name)
    set(${out_var} "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources/${safe_name}" PARENT_SCOPE)
endfunction()

function(_brenlow_add_resource_source target name source)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
        string(MAKE_C_IDENTIFIER "${target}_resource_${name}" objects)
        add_library(${objects} OBJECT ${source})
        target_link_libraries(${objects} PRIVATE platform_resources)
        target_sources(${target} INTERFACE $<TARGET_OBJECTS:${objects}>)
        target_link_libraries(${target} PUBLIC platform_resources)
    else()
        target_sources(${target} PRIVATE ${source})
        target_link_libraries(${target} PRIVATE platform_resources)
    endif()
endfunction()

function(_brenlow_embed_file target name file)
    _brenlow_resource_base(${target} "${name}" base)
    add_custom_command(
        OUTPUT "${base}.cpp"
        COMMAND embed "${base}.cpp" "${name}" "${file}"
        DEPENDS embed "${file}"
        COMMENT "Embedding ${name}"
        VERBATIM)
    _brenlow_add_resource_source(${target} "${name}" "${base}.cpp")
endfunction()

function(brenlow_embed target)
    cmake_parse_arguments(ARG "" "NAME;FILE" "" ${ARGN})
    if(NOT ARG_NAME OR NOT ARG_FILE)
        message(FATAL_ERROR "brenlow_embed(${target}) needs NAME and FILE")
    endif()
    get_filename_component(file "${ARG_FILE}" ABSOLUTE)
    _brenlow_embed_file(${target} "${ARG_NAME}" "${file}")
endfunction()

function(brenlow_layout target)
    cmake_parse_arguments(ARG "" "NAME;LAYOUT" "" ${ARGN})
    if(NOT ARG_NAME OR NOT ARG_LAYOUT)
        message(FATAL_ERROR "brenlow_layout(${target}) needs NAME and LAYOUT")
    endif()
    get_filename_component(layout "${ARG_LAYOUT}" ABSOLUTE)
    _brenlow_resource_base(${target} "${ARG_NAME}" base)
    add_custom_command(
        OUTPUT "${base}.bin"
        COMMAND layoutc "${layout}" "${base}.bin" --depfile "${base}.d"
        DEPENDS layoutc "${layout}"
        DEPFILE "${base}.d"
        COMMENT "Compiling layout ${ARG_NAME}"
        VERBATIM)
    _brenlow_embed_file(${target} "${ARG_NAME}" "${base}.bin")
endfunction()
