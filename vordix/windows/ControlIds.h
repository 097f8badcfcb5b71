#pragma once
// The table that joins the game side's numeric control ids and the Qt object
// names of the forms' widgets, in both directions. Filled once at start-up on
// the GUI thread; look-ups never change it.

#include <QString>

#include <cstddef>
#include <map>
#include <string>

class ControlIds {
public:
    // Object name -> id; a name the table does not hold gives 0.
    static int idOf(const std::string& name);
    static int idOf(const QString& name);
    // Id -> object name; ids 0, 1, 2 and unassigned ids give "".
    static std::string nameOf(int id);
    static QString qNameOf(int id);

    // Stores name -> id only (a second name of a shared id, OK/cancel names).
    static void addName(const std::string& name, int id);
    // Stores name -> id and id -> name (the owner of an id).
    static void add(const std::string& name, int id);

    static const std::map<std::string, int>& names();
    static const std::map<int, std::string>& ids();
    static void clear();
};
