#pragma once
// Form id -> creator of the form's binding, one map per kind of form. The
// creator returns a new binding owned by the caller. Filled at start-up,
// read-only while the event loop runs.

#include <functional>
#include <map>

class DialogControlFactory;
class WindowControlFactory;
class MenuControlFactory;

class FormRegistry {
public:
    using DialogCreator = std::function<DialogControlFactory*()>;
    using WindowCreator = std::function<WindowControlFactory*()>;
    using MenuCreator = std::function<MenuControlFactory*()>;

    // An id the kind's map does not hold gives an empty creator; calling it
    // throws std::bad_function_call. Look-ups never change a map.
    static DialogCreator findDialogForm(int formId);
    static WindowCreator findWindowForm(int formId);
    static MenuCreator findMenuForm(int formId);

    // Store by assignment: a second registration replaces the creator.
    static void registerDialogForm(int formId, DialogCreator creator);
    static void registerWindowForm(int formId, WindowCreator creator);
    static void registerMenuForm(int formId, MenuCreator creator);

    // Set once every form is registered; clear() empties the maps and resets it.
    static bool isFilled();
    static void setFilled();
    static void clear();

    static const std::map<int, DialogCreator>& dialogForms();
    static const std::map<int, WindowCreator>& windowForms();
    static const std::map<int, MenuCreator>& menuForms();
};
