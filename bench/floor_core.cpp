// The floor of qv2lev's start-up: the least a program on Qt Core alone does, an application and
// one line on the standard output, timed as a whole process to its end as `qv2lev list` is.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    std::puts("hello");
    return 0;
}
