#ifndef GUI_SCREENS_SERVICE_FILLINGVIEW_HPP
#define GUI_SCREENS_SERVICE_FILLINGVIEW_HPP

#include "gui/screens/service/FillingPresenter.hpp"
#include "gui/screens/service/ProgrammeView.hpp"

// Filling. Inside the wizard its end leads on to venting, unless back ended it.
class FillingView : public ProgrammeView<FillingPresenter>
{
public:
    static const quillon::TextId TITLE_TEXT = 831;
    static const quillon::TextId REQUEST_TEXT = 832;
    static const quillon::TextId HELP_TEXT = 692;

    FillingView();
    ~FillingView() override {}

protected:
    void start() override;
    void onProgrammeEnded() override;
    void onBackPressed() override { endedByBack = true; }

private:
    bool endedByBack;
};

#endif
