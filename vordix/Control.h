#pragma once
// A text control placed at run time on a window: a label or an edit field.
// Its users make the platform widget through the implementor.

#include <memory>
#include <string>

class VORDIX_CONTROL;

class VORDIX_CONTROL_imp {
public:
    virtual ~VORDIX_CONTROL_imp() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void move(int x, int y) = 0;
    virtual void setText(const std::wstring& text) = 0;
    virtual void getText(std::wstring& text) = 0;
    virtual VORDIX_CONTROL* getOwner() const = 0;
};

class VORDIX_CONTROL {
public:
    VORDIX_CONTROL();
    virtual ~VORDIX_CONTROL();
    VORDIX_CONTROL(const VORDIX_CONTROL&) = delete;
    VORDIX_CONTROL& operator=(const VORDIX_CONTROL&) = delete;

    void show();
    void hide();
    void move(int x, int y);
    void setText(const std::wstring& text);
    std::wstring getText() const;

    const std::shared_ptr<VORDIX_CONTROL_imp>& implementor() const { return imp_; }

private:
    std::shared_ptr<VORDIX_CONTROL_imp> imp_;
};
