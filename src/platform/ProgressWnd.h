#pragma once

#include <string>

// A progress display of the module's own: a text field and a progress bar. Only a
// context that does not run under the host has one; under the host the status and the
// progress go to the host instead. The display keeps what it was told and counts its
// repaints, so a caller (and a test) can see what it shows.
class ProgressWnd {
public:
    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& GetTitle() const { return m_title; }
    void SetText(const std::string& text) { m_text = text; }
    const std::string& GetText() const { return m_text; }

    // The bar's range is lower..upper; the position starts at lower.
    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int GetPos() const { return m_pos; }
    // Sets the position, held inside the range.
    void SetPos(int pos);
    void SetStep(int step) { m_step = step; }
    // Advances the position by the step, held inside the range.
    void StepIt() { SetPos(m_pos + m_step); }

    void Repaint() { ++m_repaints; }
    int GetRepaints() const { return m_repaints; }

private:
    std::string m_title;
    std::string m_text;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    int m_step = 10;
    int m_repaints = 0;
};
