#include "vordix/windows/FormRegistry.h"

namespace {

struct Registry {
    std::map<int, FormRegistry::DialogCreator> dialogs;
    std::map<int, FormRegistry::WindowCreator> windows;
    std::map<int, FormRegistry::MenuCreator> menus;
    bool filled = false;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

template <typename Creator>
Creator find(const std::map<int, Creator>& map, int formId)
{
    const auto it = map.find(formId);
    return it == map.end() ? Creator() : it->second;
}

} // namespace

FormRegistry::DialogCreator FormRegistry::findDialogForm(int formId) { return find(registry().dialogs, formId); }

FormRegistry::WindowCreator FormRegistry::findWindowForm(int formId) { return find(registry().windows, formId); }

FormRegistry::MenuCreator FormRegistry::findMenuForm(int formId) { return find(registry().menus, formId); }

void FormRegistry::registerDialogForm(int formId, DialogCreator creator)
{
    registry().dialogs[formId] = std::move(creator);
}

void FormRegistry::registerWindowForm(int formId, WindowCreator creator)
{
    registry().windows[formId] = std::move(creator);
}

void FormRegistry::registerMenuForm(int formId, MenuCreator creator) { registry().menus[formId] = std::move(creator); }

bool FormRegistry::isFilled() { return registry().filled; }

void FormRegistry::setFilled() { registry().filled = true; }

void FormRegistry::clear()
{
    registry().dialogs.clear();
    registry().windows.clear();
    registry().menus.clear();
    registry().filled = false;
}

const std::map<int, FormRegistry::DialogCreator>& FormRegistry::dialogForms() { return registry().dialogs; }

const std::map<int, FormRegistry::WindowCreator>& FormRegistry::windowForms() { return registry().windows; }

const std::map<int, FormRegistry::MenuCreator>& FormRegistry::menuForms() { return registry().menus; }
