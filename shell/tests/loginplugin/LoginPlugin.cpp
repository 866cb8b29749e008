// A generic plugin for the moved-folder test: loaded into the real program by
// QT_QPA_GENERIC_PLUGINS=quilletlogin, it logs in as a user would (user admin, password admin),
// waits for the main page, reports the files the process mapped and ends the program.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

QWidget *topLevel(const char *className)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qstrcmp(widget->metaObject()->className(), className) == 0)
            return widget;
    return nullptr;
}

bool hasScreen(QWidget *window, const char *className)
{
    for (QWidget *child : window->findChildren<QWidget *>())
        if (qstrcmp(child->metaObject()->className(), className) == 0)
            return true;
    return false;
}

void report(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class LoginDriver : public QObject
{
public:
    LoginDriver()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { step(); });
        m_timer.start(100);
    }

private:
    void step()
    {
        if (++m_ticks > 300) {
            report("timed out");
            QCoreApplication::exit(3);
            return;
        }
        if (!m_loggedIn) {
            QWidget *login = topLevel("TLoginForm");
            if (!login)
                return;
            login->findChild<QComboBox *>(QStringLiteral("CbbUser_id"))->setCurrentText(QStringLiteral("admin"));
            login->findChild<QLineEdit *>(QStringLiteral("edtPassword"))->setText(QStringLiteral("admin"));
            m_loggedIn = true;
            // The click runs the login and, on success, ends the dialog's own loop.
            QTimer::singleShot(0, login->findChild<QPushButton *>(QStringLiteral("Buttonok")), &QPushButton::click);
            return;
        }
        QWidget *window = topLevel("TM1Form");
        if (!window || !hasScreen(window, "TLumiskMainForm"))
            return;
        report("logged in, main page shown");
        if (qEnvironmentVariableIsSet("QUILLET_SCREENSHOT_DIR"))
            window->grab().save(qEnvironmentVariable("QUILLET_SCREENSHOT_DIR") + QStringLiteral("/program.png"));
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (maps.open(QIODevice::ReadOnly))
            for (const QByteArray &line : maps.readAll().split('\n'))
                if (line.contains("libCorvane.so") || line.contains("Lumisk.so"))
                    report("mapped " + line.mid(line.indexOf('/')));
        m_timer.stop();
        QCoreApplication::exit(0);
    }

    QTimer m_timer;
    int m_ticks = 0;
    bool m_loggedIn = false;
};

} // namespace

class LoginPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "loginplugin.json")

public:
    QObject *create(const QString &, const QString &) override { return new LoginDriver; }
};

#include "LoginPlugin.moc"
