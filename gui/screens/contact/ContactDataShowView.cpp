#include "gui/screens/contact/ContactDataShowView.hpp"

#include "gui/common/Functors.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId TEXT_INFORMATION = 994;
const quillon::TextId TEXT_SERVICE_CONTACT = 1019;
const quillon::TextId LABELS[ContactDataShowView::LINES] = {
    1042, // "Name"
    1141, // "Telephone"
    1039, // "Mobile phone"
    913,  // "Email"
};
} // namespace

ContactDataShowView::ContactDataShowView()
    : BaseView<ContactDataShowPresenter>(&Functors::getInstance().plain), title(), values()
{
    helpers::formatWide(title, TITLE_UNITS, "%ls %ls", quillon::TypedText(TEXT_INFORMATION).getText(),
                        quillon::TypedText(TEXT_SERVICE_CONTACT).getText());
}

void ContactDataShowView::setupContent(guicontrols::Content& area)
{
    area.add(listControl);
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    const quillon::WideChar* stored[LINES] = {presenter->getName(), presenter->getTelephone(), presenter->getMobile(),
                                              presenter->getEmail()};
    beginList();
    for (uint32_t line = 0; line < LINES; ++line) {
        quillon::WideString::strncpy(values[line], stored[line], VALUE_UNITS - 1);
        values[line][VALUE_UNITS - 1] = 0;
        providers[line].setTexts(quillon::TypedText(LABELS[line]).getText(), values[line], 0);
        addLine(&providers[line]);
    }
    endList();
}
