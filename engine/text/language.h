#pragma once
// The two languages of the program's texts. Each layer turns it into the form
// its edge needs (a settings value, a site code, a banner folder) only there.
namespace korvana {

enum class Language { English, Russian };

}  // namespace korvana
