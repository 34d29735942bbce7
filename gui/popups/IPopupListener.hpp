#ifndef GUI_POPUPS_IPOPUPLISTENER_HPP
#define GUI_POPUPS_IPOPUPLISTENER_HPP

// Told, on the GUI task, that the popup data changed.
class IPopupListener
{
public:
    virtual ~IPopupListener() {}
    virtual void onPopupDataChanged() = 0;
};

#endif
