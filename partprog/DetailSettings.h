#pragma once
// What the face views detail, shared by every part programming window of the application: the
// detail lines and the detail planes, each of none, the current pattern or all patterns. The
// application owns one; the pattern views set it (then update their document's views) and the
// face views read it when they draw.

class DetailSettings {
public:
    enum Choice { none = 0, current = 1, all = 2 };

    // Radio indexes 0-2; any other value is none.
    void SetLines(int choice);
    void SetPlanes(int choice);
    // Both none.
    void Reset();
    Choice GetLines() const { return lines_; }
    Choice GetPlanes() const { return planes_; }

    // The four flags: lines of the current pattern, lines of all patterns, planes of the current
    // pattern, planes of all patterns.
    bool CurrentLines() const { return lines_ == current; }
    bool AllLines() const { return lines_ == all; }
    bool CurrentPlanes() const { return planes_ == current; }
    bool AllPlanes() const { return planes_ == all; }

private:
    static Choice ChoiceOf(int index);

    Choice lines_ = none;
    Choice planes_ = none;
};
