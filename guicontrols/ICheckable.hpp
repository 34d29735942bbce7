#ifndef GUICONTROLS_ICHECKABLE_HPP
#define GUICONTROLS_ICHECKABLE_HPP

namespace guicontrols
{
// A checked state mixed into a button as a second base. Nothing here redraws and no button
// toggles itself on a click: the owner does, in its action, and invalidates the button.
class ICheckable
{
public:
    ICheckable() : checked(false) {}
    virtual ~ICheckable() {}

    virtual void setChecked(bool value) { checked = value; }
    virtual bool isChecked() const { return checked; }
    virtual void toggle() { checked = !checked; }

private:
    bool checked;
};
} // namespace guicontrols

#endif
