// Placeholder until the database builder lands.
int main() { return 0; }
