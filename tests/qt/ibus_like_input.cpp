// The input method of the front-end tests (ibus_like_input.h): a platform
// input context built into the test program as a static plugin, chosen by
// QT_IM_MODULE before the application starts.
#define QT_STATICPLUGIN
#include "ibus_like_input.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QtGui/qpa/qplatforminputcontext.h>
#include <QtGui/qpa/qplatforminputcontextplugin_p.h>
#include <QtPlugin>

#include <cstdlib>

namespace bxtest {

namespace {

IbusLikeInput* the_input = nullptr;

// What Qt's ibus input context does with the open text: shows it to the
// focus object as the composition, commits it there when asked to commit,
// drops it when asked to reset.
class IbusLikeContext : public QPlatformInputContext, public IbusLikeInput {
public:
    IbusLikeContext() { the_input = this; }
    ~IbusLikeContext() override {
        if (the_input == this) the_input = nullptr;
    }
    bool isValid() const override { return true; }
    void reset() override { open_.clear(); }
    void commit() override {
        QObject* to = QGuiApplication::focusObject();
        const QString text = open_;
        open_.clear();
        if (!to || text.isEmpty()) return;
        QInputMethodEvent ev;
        ev.setCommitString(text);
        QCoreApplication::sendEvent(to, &ev);
    }
    void compose(const QString& text) override {
        open_ = text;
        if (QObject* to = QGuiApplication::focusObject()) {
            QInputMethodEvent ev(text, {});
            QCoreApplication::sendEvent(to, &ev);
        }
    }
    void user_commit() override { commit(); }
    void delete_around(int offset, int n) override {
        if (QObject* to = QGuiApplication::focusObject()) {
            QInputMethodEvent ev;
            ev.setCommitString(QString(), offset, n);
            QCoreApplication::sendEvent(to, &ev);
        }
    }
    QString open_text() const override { return open_; }

private:
    QString open_;
};

}  // namespace

IbusLikeInput* IbusLikeInput::instance() { return the_input; }

class BxIbusLikePlugin : public QPlatformInputContextPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformInputContextFactoryInterface_iid FILE "ibus_like_input.json")
public:
    QPlatformInputContext* create(const QString& key, const QStringList&) override {
        return key == QLatin1String("bx-ibus-like") ? new IbusLikeContext : nullptr;
    }
};

namespace {
// Chosen before any test starts the application.
[[maybe_unused]] const bool chosen = setenv("QT_IM_MODULE", "bx-ibus-like", 1) == 0;
}  // namespace

}  // namespace bxtest

Q_IMPORT_PLUGIN(BxIbusLikePlugin)

#include "ibus_like_input.moc"
