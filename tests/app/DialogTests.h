#pragma once

// Each dialog's test object runs from one program; these run them.
int runKOUTest(int argc, char **argv);
int runAboutUTest(int argc, char **argv);
int runOpsUTest(int argc, char **argv);
