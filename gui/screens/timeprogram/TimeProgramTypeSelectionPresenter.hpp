#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMTYPESELECTIONPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMTYPESELECTIONPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/screens/timeprogram/TimeProgramStore.hpp"

class TimeProgramTypeSelectionView;

// Whether hot water or circulation follows another program ("Automatic") or has its own
// ("Individual"); the choice goes to the device as a function call.
class TimeProgramTypeSelectionPresenter : public BasePresenter
{
public:
    static const quillon::TextId ACCEPTED_TEXT = 1570;

    TimeProgramTypeSelectionPresenter(TimeProgramTypeSelectionView& view, const TimeProgramKind& kind);

    void activate() override;
    void deactivate() override;
    // The tile follows the type byte only when the installation's devices change.
    bool hasDataChanged() override;

    quillon::TextId getAcceptedText() const { return ACCEPTED_TEXT; }
    bool isAutomatic();
    void selectAutomatic();
    void selectIndividual();
    bool usesCircuitIndex();
    uint8_t getTypeBits();
    void sendTypeCode(uint8_t code);
    const TimeProgramKind& getKind() const { return store.getKind(); }

private:
    TimeProgramStore store;
    uint8_t circuit;
};

#endif
