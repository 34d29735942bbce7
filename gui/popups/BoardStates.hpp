#ifndef GUI_POPUPS_BOARDSTATES_HPP
#define GUI_POPUPS_BOARDSTATES_HPP

// The two board states the popup rules poll: the link towards the boiler and the clock.
class BoardStates
{
public:
    virtual ~BoardStates() {}
    virtual bool isLinkOk();
    virtual bool isClockValid();

    // The board's own states; a test hands the popup system one of its own.
    static BoardStates& board();
};

#endif
