#include "gui/screens/infocircuit/LANInfoView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/WideLiteral.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "helpers/WideFormat.hpp"

namespace
{
using quillon::TextId;
using quillon::WideChar;
using guicontrols::providertexts::text;

const TextId INFORMATION = 994;
const TextId LAN = 1477;
const TextId HELP_TEXT = 712;
const TextId YES = 1000;
const TextId NO = 1044;
const uint8_t PLAIN = 0;

// The texts the presenter makes, in the order it is asked for them.
enum TextLine
{
    MANUFACTURING_DATA,
    MODULE_ID,
    MAC_ADDRESS,
    IP_ADDRESS,
    SUBNET_MASK,
    GATEWAY,
    PRIMARY_DNS,
    SECONDARY_DNS,
    PROXY_SERVER,
    PROXY_USER,
    PROXY_PASSWORD,
    SERIAL_NUMBER,
    PROJECT,
    FIRMWARE,
};

const TextId TEXT_LABELS[LANInfoView::TEXT_LINES] = {1321, 1380, 1337, 1324, 1132, 1120, 1061,
                                                     1077, 1063, 1349, 1350, 1333, 1327, 1332};

} // namespace

LANInfoView::LANInfoView() : BaseView<LANInfoPresenter>(&Functors::getInstance().plain), title()
{
    helpers::formatWide(title, TITLE_UNITS, "%ls %ls", text(INFORMATION), text(LAN));
}

const quillon::WideChar* LANInfoView::getHelpText()
{
    return text(HELP_TEXT);
}

void LANInfoView::setupContent(guicontrols::Content& area)
{
    area.add(listControl);
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    bindValueProviders();
    buildList();
}

void LANInfoView::update()
{
    buildList();
}

void LANInfoView::bindValueProviders()
{
    model::LanGroup& lan = presenter->lan();
    dhcp.set(&lan.dhcpOn, text(1450), text(NO), text(YES), 0, PLAIN);
    proxyActivated.set(&lan.proxyOn, text(1347), text(NO), text(YES), 0, PLAIN);
    moduleActivated.set(&lan.moduleOn, text(1329), text(NO), text(YES), 0, PLAIN);
    proxyPort.set(&lan.proxyPort, text(1348), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    moduleStatus.set(&lan.moduleStatus, text(1334), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    moduleError.set(&lan.moduleError, text(1330), wide(u"%X"), 1.0f, PLAIN, 0, 0);
    extendedError.set(&lan.extendedError, text(1331), wide(u"%X"), 1.0f, PLAIN, 0, 0);
}

void LANInfoView::buildList()
{
    LANInfoPresenter& p = *presenter;
    const WideChar* values[TEXT_LINES] = {
        p.getManufacturingData(), p.getModuleId(),     p.getMacAddress(),    p.getIpAddress(),
        p.getSubnetMask(),        p.getGateway(),      p.getPrimaryDns(),    p.getSecondaryDns(),
        p.getProxyServer(),       p.getProxyUser(),    p.getProxyPassword(), p.getSerialNumber(),
        p.getProjectName(),       p.getFirmwareVersion(),
    };
    for (uint32_t line = 0; line < TEXT_LINES; ++line) {
        texts[line].setTexts(text(TEXT_LABELS[line]), values[line], PLAIN);
    }
    guicontrols::ITextContentProvider* const lines[LINES] = {
        &texts[MANUFACTURING_DATA], &texts[MODULE_ID],    &texts[MAC_ADDRESS],    &dhcp,
        &texts[IP_ADDRESS],         &texts[SUBNET_MASK],  &texts[GATEWAY],        &texts[PRIMARY_DNS],
        &texts[SECONDARY_DNS],      &texts[PROXY_SERVER], &proxyPort,             &texts[PROXY_USER],
        &texts[PROXY_PASSWORD],     &proxyActivated,      &moduleActivated,       &moduleStatus,
        &moduleError,               &extendedError,       &texts[FIRMWARE],       &texts[SERIAL_NUMBER],
        &texts[PROJECT],
    };
    beginList();
    for (guicontrols::ITextContentProvider* line : lines) {
        addLine(line);
    }
    endList();
}
