#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "app/shell/app_fonts.h"
#include "app/shell/app_translation.h"
#include "app/shell/main_frame.h"
#include "platform/heap_policy.h"
#include "platform/string_table.h"

int main(int argc, char** argv) {
    varno::UseLargeProjectHeap(varno::HeapRun::Repeatedly);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("TELMARA");
    QApplication::setApplicationName("VARNO");

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption langOption("lang", "Edition of the texts: en or zh.", "en|zh");
    parser.addOption(langOption);
    parser.addPositionalArgument("project", "Project file to open.", "[PROJECT.KPJ]");
    parser.process(app);

    varno::Lang lang = varno::LanguageFromEnvironment();
    if (parser.isSet(langOption)) {
        auto parsed = varno::ParseLanguage(parser.value(langOption).toStdString());
        if (!parsed) {
            std::fprintf(stderr, "varno: unknown language '%s': use en or zh\n",
                         qPrintable(parser.value(langOption)));
            return 2;
        }
        lang = *parsed;
    }
    varno::SetLanguage(lang);
    if (!varno::InstallQtTranslation(app, lang)) {
        std::fprintf(stderr, "varno: Qt's Chinese texts (qtbase_zh_CN) are not installed\n");
    }
    varno::InstallFontSubstitutions();

    varno::CMainFrame frame;
    // A project named at start-up is opened whatever its extension, and is not added to the
    // recent files.
    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty()) {
        frame.OpenProjectPath(args.first());
    }
    frame.show();
    return QApplication::exec();
}
