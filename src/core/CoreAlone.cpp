// Linked with every object of the core and nothing but QtCore and QtSql; see src/CMakeLists.txt.
int main()
{
    return 0;
}
