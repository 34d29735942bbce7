#ifndef QUILLON_PRESENTER_HPP
#define QUILLON_PRESENTER_HPP

namespace quillon
{
// The half of a screen that talks to the model; it holds no widgets.
class Presenter
{
public:
    // The screen is being entered: view and presenter are built and bound.
    virtual void activate() {}
    // The screen is being left: the view is torn down, both objects still exist.
    virtual void deactivate() {}
    virtual ~Presenter() {}
};
} // namespace quillon

#endif
