#include "gui/screens/infocircuit/LANInfoPresenter.hpp"

#include "helpers/Conversions.hpp"
#include "helpers/WideFormat.hpp"

namespace
{
const uint32_t RELEASE_MARK = 0x52; // "R" in the top byte: a release build
} // namespace

const quillon::WideChar* LANInfoPresenter::addressText(uint32_t address, quillon::WideChar* buffer)
{
    buffer[helpers::ipAddressToText(address, buffer)] = 0;
    return buffer;
}

const quillon::WideChar* LANInfoPresenter::getManufacturingData()
{
    return narrowText(lan().password647, manufacturingData, SHORT_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getModuleId()
{
    return narrowText(lan().password648, moduleId, SHORT_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getSerialNumber()
{
    return narrowText(lan().password645, serialNumber, SHORT_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getProxyServer()
{
    return narrowText(lan().text636, proxyServer, LONG_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getProxyUser()
{
    return narrowText(lan().text638, proxyUser, LONG_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getProxyPassword()
{
    return narrowText(lan().text639, proxyPassword, LONG_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getProjectName()
{
    return narrowText(lan().text646, projectName, LONG_TEXT_UNITS);
}

const quillon::WideChar* LANInfoPresenter::getMacAddress()
{
    const mac_addr mac = lan().macAddress.getValue();
    const uint8_t* b = mac.bytes;
    helpers::formatWide(macAddress, MAC_UNITS, "%02X-%02X-%02X-%02X-%02X-%02X", b[0], b[1], b[2], b[3], b[4], b[5]);
    return macAddress;
}

const quillon::WideChar* LANInfoPresenter::getIpAddress()
{
    return addressText(lan().ipAddress.getValue(), ipAddress);
}

const quillon::WideChar* LANInfoPresenter::getSubnetMask()
{
    return addressText(lan().subnetMask.getValue(), subnetMask);
}

const quillon::WideChar* LANInfoPresenter::getGateway()
{
    return addressText(lan().gateway.getValue(), gateway);
}

const quillon::WideChar* LANInfoPresenter::getPrimaryDns()
{
    return addressText(lan().primaryDns.getValue(), primaryDns);
}

const quillon::WideChar* LANInfoPresenter::getSecondaryDns()
{
    return addressText(lan().secondaryDns.getValue(), secondaryDns);
}

const quillon::WideChar* LANInfoPresenter::getFirmwareVersion()
{
    const uint32_t v = lan().firmwareVersion.getValue();
    const int major = static_cast<int>((v >> 16) & 0xFF);
    const int minor = static_cast<int>((v >> 8) & 0xFF);
    const int patch = static_cast<int>(v & 0xFF);
    helpers::formatWide(firmwareVersion, FIRMWARE_UNITS, (v >> 24) == RELEASE_MARK ? "%d.%d.%dR" : "%d.%d.%d", major,
                        minor, patch);
    return firmwareVersion;
}
