#ifndef GUI_PAGEMANAGER_IPAGEPROTECTOR_HPP
#define GUI_PAGEMANAGER_IPAGEPROTECTOR_HPP

// Decides whether a page or a menu item is offered.
class IPageProtector
{
public:
    virtual ~IPageProtector() {}
    virtual bool isAvailable() = 0;
    // Whether availability depends on a condition that may change.
    virtual bool isConditional() = 0;
};

#endif
