# The card artwork: the pictures the build drew, the compiled-in faces and icons,
# and how the drawing tool fails.
add_executable(card_artwork_test ${CMAKE_CURRENT_LIST_DIR}/card_artwork/card_artwork_test.cpp)
target_link_libraries(card_artwork_test PRIVATE Qt6::Gui Qt6::Test korvana_card_faces)
target_compile_definitions(card_artwork_test PRIVATE
  KORVANA_CARD_IMAGES_DIR="$<TARGET_PROPERTY:korvana_card_images,KORVANA_IMAGES_DIR>"
  KORVANA_ICON_THEME_DIR="$<TARGET_PROPERTY:korvana_card_images,KORVANA_ICON_THEME_DIR>"
  KORVANA_CARD_ARTWORK_TOOL="$<TARGET_FILE:korvana-card-artwork>")
add_dependencies(card_artwork_test korvana_card_images)

# Temporary files and Qt's runtime folder stay inside the build tree.
set(card_artwork_test_home ${CMAKE_CURRENT_BINARY_DIR}/card_artwork_test)
file(MAKE_DIRECTORY ${card_artwork_test_home}/tmp ${card_artwork_test_home}/runtime)
file(CHMOD ${card_artwork_test_home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

add_test(NAME card_artwork COMMAND card_artwork_test)
set_tests_properties(card_artwork PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;TMPDIR=${card_artwork_test_home}/tmp;XDG_RUNTIME_DIR=${card_artwork_test_home}/runtime")
