# The card artwork: the pictures the build drew, the compiled-in faces and icons,
# and how the drawing tool fails.
add_executable(test_card_artwork ${CMAKE_CURRENT_LIST_DIR}/card_artwork/test_card_artwork.cpp)
target_link_libraries(test_card_artwork PRIVATE Qt6::Gui Qt6::Test korvana_card_faces)
target_compile_definitions(test_card_artwork PRIVATE
  KORVANA_CARD_IMAGES_DIR="$<TARGET_PROPERTY:korvana_card_images,KORVANA_IMAGES_DIR>"
  KORVANA_ICON_THEME_DIR="$<TARGET_PROPERTY:korvana_card_images,KORVANA_ICON_THEME_DIR>"
  KORVANA_CARD_ARTWORK_TOOL="$<TARGET_FILE:korvana-card-artwork>")
add_dependencies(test_card_artwork korvana_card_images)

# Temporary files and Qt's runtime folder stay inside the build tree.
set(card_artwork_test_home ${CMAKE_CURRENT_BINARY_DIR}/card_artwork_test)
file(MAKE_DIRECTORY ${card_artwork_test_home}/tmp ${card_artwork_test_home}/runtime)
file(CHMOD ${card_artwork_test_home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

add_test(NAME card_artwork COMMAND test_card_artwork)
set_tests_properties(card_artwork PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;TMPDIR=${card_artwork_test_home}/tmp;XDG_RUNTIME_DIR=${card_artwork_test_home}/runtime")
