#pragma once

#include <QString>

class QWidget;

// The window skin. A skin file holds a Qt style sheet (UTF-8 text).
class SkinFramework {
public:
    virtual ~SkinFramework() = default;

    // Reads the skin; a missing, unreadable or non-text file is a Failure naming the file.
    virtual void loadSkin(const QString& path, const QString& section);
    virtual int options() const { return options_; }
    virtual void setOptions(int options) { options_ = options; }
    virtual void setApplyColors(bool on) { applyColors_ = on; }
    virtual void setApplyMetrics(bool on) { applyMetrics_ = on; }
    // Applies the loaded style sheet to the window and everything in it.
    virtual void applyWindow(QWidget* window);

    const QString& styleSheet() const { return styleSheet_; }

private:
    QString styleSheet_;
    int options_ = 0;
    bool applyColors_ = false;
    bool applyMetrics_ = false;
};
