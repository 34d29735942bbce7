#ifndef GUI_COMMON_IVIEW_HPP
#define GUI_COMMON_IVIEW_HPP

// What the screen frame and the view modes call on a view; a view overrides what it needs.
class IView
{
public:
    virtual ~IView() {}
    virtual void refresh() {}
    // What the view shows afresh once its presenter reported a change (see BaseView).
    virtual void update() {}
    virtual void rebuildContent() {}
    virtual void onPageLeave() {}
    virtual void beforeSetupScreen() {}
    virtual void onViewModeFinished() {}
};

#endif
