int placeholder_win = 0;
