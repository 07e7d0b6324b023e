// One program for all desktop-program tests: the first argument names the test class to run,
// so that CTest runs the classes side by side; "--sessie MAP" is the run of the program that
// the crash-recovery test starts and kills.
#include "hulp.h"
#include "lang/teksten.h"

#include <QtTest>

#include <cstring>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Q_INIT_RESOURCE(velkaro);
    velkaro::lang::KiesTaal(velkaro::lang::Taal::Nederlands);
    if (argc == 3 && std::strcmp(argv[1], "--sessie") == 0)
        return velkaro::test::HerstelSessie(argv[2]);
    const auto& klassen = velkaro::test::Testklassen();
    const auto klasse = argc > 1 ? klassen.find(argv[1]) : klassen.end();
    if (klasse == klassen.end()) {
        std::cerr << "usage: test_ui CLASS [QtTest options]; classes:";
        for (const auto& [naam, maak] : klassen) std::cerr << ' ' << naam.toStdString();
        std::cerr << '\n';
        return 2;
    }
    // The class name is not QtTest's: pass on the program name and the rest.
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    std::unique_ptr<QObject> test(klasse->second());
    return QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
}
