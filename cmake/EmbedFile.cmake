# Builds a text file of the source tree into a library: a generated .cpp
# defines `std::string_view menulark::embedded::NAME()` holding the file's
# bytes. A byte array rather than a string literal, since compilers limit
# the length of string literals. The .cpp is written again whenever the
# file (or this script) changes.
#
#   menulark_embed_file(TARGET web/menu.js MenuJs page/embedded_web_files.h)
#
# The same file, run with `cmake -P`, writes one such .cpp.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(REPEAT "0x..," 16 row)
  string(REGEX REPLACE "(${row})" "\\1\n" bytes "${bytes}")
  file(WRITE "${OUTPUT}"
    "// Written by cmake/EmbedFile.cmake from ${SOURCE}; change that file instead.\n"
    "#include \"${HEADER}\"\n\n"
    "namespace menulark::embedded {\n"
    "namespace {\n"
    "constexpr unsigned char kBytes[] = {\n${bytes}0x00};\n"
    "}  // namespace\n\n"
    "std::string_view ${NAME}() {\n"
    "    return {reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1};\n"
    "}\n\n"
    "}  // namespace menulark::embedded\n")
  return()
endif()

set(MENULARK_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(menulark_embed_file target file name header)
  set(input ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_${name}.cpp)
  file(RELATIVE_PATH source ${PROJECT_SOURCE_DIR} ${input})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DNAME=${name} -DHEADER=${header}
            -DSOURCE=${source} -P ${MENULARK_EMBED_SCRIPT}
    DEPENDS ${input} ${MENULARK_EMBED_SCRIPT}
    COMMENT "Embedding ${source}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
