// Placeholder until the application object exists.
int main() { return 0; }
