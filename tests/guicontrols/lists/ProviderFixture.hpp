#ifndef GUICONTROLS_TESTS_LISTS_PROVIDERFIXTURE_HPP
#define GUICONTROLS_TESTS_LISTS_PROVIDERFIXTURE_HPP

#include "guicontrols/WidgetFixture.hpp"
#include "model/manager/ZeroedStaticTable.hpp"

#include <assets/GeneratedTexts.hpp>
#include <quillon/LanguageTable.hpp>

#include <cstring>
#include <string>

namespace guicontrols
{
namespace test
{
// A zeroed data-point table and the English texts: providers read values put in here.
class ProviderTest : public ZeroedStaticTable
{
protected:
    void SetUp() override
    {
        ZeroedStaticTable::SetUp();
        assets::registerGeneratedTexts();
        quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    }

    // The first table entry of the type: the tests need one value of each kind.
    static uint32_t entryOf(dp_type type)
    {
        for (uint32_t index = 0; index < dptStaticTableSize(); ++index) {
            if (dptGetType(index) == type) {
                return index;
            }
        }
        ADD_FAILURE() << "no entry of type " << type;
        return 0;
    }

    template <typename T>
    static void put(uint32_t index, const T& value)
    {
        static_cast<void>(dptSet(index, &value)); // stored; no device link to send it to
    }

    static std::u16string text(const quillon::WideChar* units) { return u16(units); }
};
} // namespace test
} // namespace guicontrols

#endif
