#include "vordix/windows/ControlIds.h"

namespace {

std::map<std::string, int>& nameMap()
{
    static std::map<std::string, int> map;
    return map;
}

std::map<int, std::string>& idMap()
{
    static std::map<int, std::string> map;
    return map;
}

} // namespace

int ControlIds::idOf(const std::string& name)
{
    const auto it = nameMap().find(name);
    return it == nameMap().end() ? 0 : it->second;
}

int ControlIds::idOf(const QString& name) { return idOf(name.toStdString()); }

std::string ControlIds::nameOf(int id)
{
    const auto it = idMap().find(id);
    return it == idMap().end() ? std::string() : it->second;
}

QString ControlIds::qNameOf(int id) { return QString::fromStdString(nameOf(id)); }

void ControlIds::addName(const std::string& name, int id) { nameMap()[name] = id; }

void ControlIds::add(const std::string& name, int id)
{
    nameMap()[name] = id;
    idMap()[id] = name;
}

const std::map<std::string, int>& ControlIds::names() { return nameMap(); }

const std::map<int, std::string>& ControlIds::ids() { return idMap(); }

void ControlIds::clear()
{
    nameMap().clear();
    idMap().clear();
}
