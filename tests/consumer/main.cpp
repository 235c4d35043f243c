// A tool outside the repository: finds the installed package and uses it.
#include "controls/My_StyledTMSComponents.h"
#include <QApplication>
#include <cstdio>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qz8::TStyledListbox list;
    list.Items().Add("1234");
    std::printf("rows %d\n", list.Count());
    return list.Count() == 1 ? 0 : 1;
}
