// PENDING: the window is being written.
int main() { return 0; }
