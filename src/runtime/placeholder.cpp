int placeholder_core = 0;
