# The Traditional-to-Simplified table is made at build time from OpenCC's
# character table; nothing of it is typed by hand.
find_program(OPENCC_DICT opencc_dict REQUIRED)
find_file(TS_CHARACTERS TSCharacters.ocd2 PATHS /usr/share/opencc NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(SIMPLIFIED_TABLE_DIR ${PROJECT_BINARY_DIR}/generated)
# OpenCC's table as text, for the tool's table and the benchmark's corpus.
set(TS_CHARACTERS_TEXT ${SIMPLIFIED_TABLE_DIR}/TSCharacters.txt CACHE INTERNAL "")
add_custom_command(
  OUTPUT ${TS_CHARACTERS_TEXT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SIMPLIFIED_TABLE_DIR}
  COMMAND ${OPENCC_DICT} -i ${TS_CHARACTERS} -o ${TS_CHARACTERS_TEXT} -f ocd2 -t text
  DEPENDS ${TS_CHARACTERS}
  COMMENT "Reading OpenCC's Traditional-to-Simplified character table"
  VERBATIM)
add_custom_target(opencc_characters DEPENDS ${TS_CHARACTERS_TEXT})

set(SIMPLIFIED_PAIRS ${SIMPLIFIED_TABLE_DIR}/simplified_pairs.inc)
add_custom_command(
  OUTPUT ${SIMPLIFIED_PAIRS}
  COMMAND ${Python3_EXECUTABLE} -B ${PROJECT_SOURCE_DIR}/tools/make_simplified_table.py
          ${TS_CHARACTERS_TEXT} ${SIMPLIFIED_PAIRS}
  DEPENDS ${TS_CHARACTERS_TEXT} ${PROJECT_SOURCE_DIR}/tools/make_simplified_table.py
          ${PROJECT_SOURCE_DIR}/tools/opencc_table.py
  COMMENT "Generating the Traditional-to-Simplified table from OpenCC"
  VERBATIM)
