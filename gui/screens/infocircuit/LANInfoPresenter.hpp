#ifndef GUI_SCREENS_INFOCIRCUIT_LANINFOPRESENTER_HPP
#define GUI_SCREENS_INFOCIRCUIT_LANINFOPRESENTER_HPP

#include "gui/screens/infocircuit/InfoListPresenter.hpp"
#include "model/groups/LanGroup.hpp"

#include <quillon/hal/Types.hpp>

// What the LAN module reports about itself, as display texts. Each getter reads its value
// now and returns a buffer of its own, valid until its next call.
class LANInfoPresenter : public InfoListPresenter
{
public:
    static constexpr uint16_t SHORT_TEXT_UNITS = 16 + 1;
    static constexpr uint16_t LONG_TEXT_UNITS = 32 + 1;
    static constexpr uint16_t ADDRESS_UNITS = 15 + 1;
    static constexpr uint16_t MAC_UNITS = 33;
    static constexpr uint16_t FIRMWARE_UNITS = 33;

    // The lines do not depend on the devices: only a LAN value rebuilds them.
    explicit LANInfoPresenter(IView& view) : InfoListPresenter(view, DeviceChanges::Ignore) {}
    ~LANInfoPresenter() override {}

    void activate() override { watchList(lan()); }

    model::LanGroup& lan() { return getModel()->getGroups().lan; }

    const quillon::WideChar* getManufacturingData();
    const quillon::WideChar* getModuleId();
    const quillon::WideChar* getSerialNumber();
    const quillon::WideChar* getProxyServer();
    const quillon::WideChar* getProxyUser();
    const quillon::WideChar* getProxyPassword();
    const quillon::WideChar* getProjectName();
    const quillon::WideChar* getMacAddress();
    const quillon::WideChar* getIpAddress();
    const quillon::WideChar* getSubnetMask();
    const quillon::WideChar* getGateway();
    const quillon::WideChar* getPrimaryDns();
    const quillon::WideChar* getSecondaryDns();
    const quillon::WideChar* getFirmwareVersion();

private:
    // Up to the first zero byte or the whole field, always terminated.
    template <typename Point>
    static const quillon::WideChar* narrowText(const Point& point, quillon::WideChar* buffer, uint16_t units)
    {
        point.getValue().toWide(buffer, units);
        return buffer;
    }
    static const quillon::WideChar* addressText(uint32_t address, quillon::WideChar* buffer);

    quillon::WideChar manufacturingData[SHORT_TEXT_UNITS];
    quillon::WideChar moduleId[SHORT_TEXT_UNITS];
    quillon::WideChar serialNumber[SHORT_TEXT_UNITS];
    quillon::WideChar macAddress[MAC_UNITS];
    quillon::WideChar ipAddress[ADDRESS_UNITS];
    quillon::WideChar subnetMask[ADDRESS_UNITS];
    quillon::WideChar gateway[ADDRESS_UNITS];
    quillon::WideChar primaryDns[ADDRESS_UNITS];
    quillon::WideChar secondaryDns[ADDRESS_UNITS];
    quillon::WideChar proxyServer[LONG_TEXT_UNITS];
    quillon::WideChar proxyUser[LONG_TEXT_UNITS];
    quillon::WideChar proxyPassword[LONG_TEXT_UNITS];
    quillon::WideChar projectName[LONG_TEXT_UNITS];
    quillon::WideChar firmwareVersion[FIRMWARE_UNITS];
};

#endif
