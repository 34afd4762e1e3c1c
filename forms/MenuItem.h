#pragma once
// A top-level item of a form's menu bar.

#include <functional>

class MenuItem {
public:
    int id() const { return id_; }
    std::function<void()> onClick;

private:
    friend class Form;
    int id_ = 0;
};
