#pragma once

#include "shell/Form.h"

#include <QList>
#include <QString>

#include <functional>

class QMdiArea;

// The registry of the program's forms: one instance per form name, created
// and loaded on first use, destroyed on unload. Forms register a factory under
// their name so that lower layers reach them by name without including them.
// The calls by type take the name from the class's constant Name (Form.h).
class Forms {
public:
    using Factory = std::function<Form*()>;

    static void registerForm(const QString& name, Factory factory);
    static bool isRegistered(const QString& name);
    template <class T>
    static void registerForm()
    {
        registerForm(T::Name, [] { return new T; });
    }

    // The form's one instance; the first reference creates it and runs its
    // Form_Load. Null when no form of that name is registered.
    static Form* get(const QString& name);
    template <class T>
    static T* get(const QString& name = T::Name)
    {
        return dynamic_cast<T*>(get(name));
    }
    // The instance when it is loaded; never loads.
    static Form* find(const QString& name);
    template <class T>
    static T* find(const QString& name = T::Name)
    {
        return dynamic_cast<T*>(find(name));
    }
    static bool isLoaded(const QString& name);
    template <class T>
    static bool isLoaded()
    {
        return isLoaded(T::Name);
    }

    // Runs Form_Unload (which may cancel) and Form_Terminate, then destroys the
    // form. Nothing happens for a form that is not loaded.
    static void unload(const QString& name);
    template <class T>
    static void unload()
    {
        unload(T::Name);
    }
    static QList<Form*> loaded();
    static int loadedCount() { return static_cast<int>(loaded().size()); }

    // Where child forms are shown; none in tests that run forms on their own.
    static void setMdiArea(QMdiArea* area);
    static QMdiArea* mdiArea();

    // Unloads every form (tests end with a clean registry).
    static void unloadAll();
};
