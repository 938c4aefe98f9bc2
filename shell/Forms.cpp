#include "shell/Forms.h"

#include "shell/Form.h"

#include <QHash>
#include <QMdiArea>
#include <QPointer>

#include <exception>

namespace {

struct Registry {
    QHash<QString, Forms::Factory> factories;
    // Insertion order, so unloading everything goes newest first.
    QList<QPair<QString, QPointer<Form>>> instances;
    QPointer<QMdiArea> area;
};

Registry& registry()
{
    static Registry r;
    return r;
}

int indexOf(const QString& name)
{
    const auto& list = registry().instances;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].first == name)
            return i;
    return -1;
}

} // namespace

void Forms::registerForm(const QString& name, Factory factory)
{
    registry().factories.insert(name, std::move(factory));
}

bool Forms::isRegistered(const QString& name)
{
    return registry().factories.contains(name);
}

Form* Forms::find(const QString& name)
{
    auto& list = registry().instances;
    const int i = indexOf(name);
    if (i < 0)
        return nullptr;
    if (list[i].second.isNull()) {
        list.removeAt(i);
        return nullptr;
    }
    return list[i].second.data();
}

bool Forms::isLoaded(const QString& name)
{
    return find(name) != nullptr;
}

Form* Forms::get(const QString& name)
{
    if (Form* existing = find(name))
        return existing;
    const auto it = registry().factories.constFind(name);
    if (it == registry().factories.cend())
        return nullptr;
    Form* form = (*it)();
    // Registered before its Load runs: Load may refer to the form itself.
    registry().instances.append({name, QPointer<Form>(form)});
    try {
        form->Form_Load();
    } catch (...) {
        unload(name);
        throw;
    }
    return form;
}

void Forms::unload(const QString& name)
{
    Form* form = find(name);
    if (!form)
        return;
    bool cancel = false;
    std::exception_ptr failure;
    // No drop its own unload causes may close it again.
    const std::optional<Form::Subject> subject = form->subject();
    form->forgetSubject();
    try {
        form->Form_Unload(cancel);
    } catch (...) {
        // A failing Unload still closes the form; the failure goes to the caller.
        failure = std::current_exception();
        cancel = false;
    }
    if (cancel) {
        if (subject)
            form->setSubject(subject->stage, subject->axis, subject->throughForm);
        return;
    }
    const int i = indexOf(name);
    if (i >= 0)
        registry().instances.removeAt(i);
    form->Form_Terminate();
    form->Hide();
    form->deleteLater();
    if (failure)
        std::rethrow_exception(failure);
}

QList<Form*> Forms::loaded()
{
    QList<Form*> out;
    auto& list = registry().instances;
    for (int i = list.size() - 1; i >= 0; --i)
        if (list[i].second.isNull())
            list.removeAt(i);
    for (const auto& entry : list)
        out.append(entry.second.data());
    return out;
}

void Forms::setMdiArea(QMdiArea* area)
{
    registry().area = area;
}

QMdiArea* Forms::mdiArea()
{
    return registry().area.data();
}

void Forms::unloadAll()
{
    while (true) {
        const QList<Form*> forms = loaded();
        if (forms.isEmpty())
            break;
        const QString name = forms.last()->Name();
        unload(name);
        if (isLoaded(name)) {
            // A form that refuses to unload is dropped all the same.
            const int i = indexOf(name);
            if (i >= 0) {
                QPointer<Form> f = registry().instances[i].second;
                registry().instances.removeAt(i);
                if (f)
                    f->deleteLater();
            }
        }
    }
}
