#ifndef GUICONTROLS_TESTS_EDITORS_EDITORFIXTURE_HPP
#define GUICONTROLS_TESTS_EDITORS_EDITORFIXTURE_HPP

#include "guicontrols/WidgetFixture.hpp"

namespace guicontrols
{
namespace test
{
// Editors size themselves from their bitmaps when constructed: the assets are registered
// before a fixture's members are built, not only in SetUp.
class EditorTest : public WidgetTest
{
protected:
    EditorTest()
    {
        BitmapDatabase::registerDatabase();
        assets::registerGeneratedTexts();
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    }
};
} // namespace test
} // namespace guicontrols

#endif
