// The link of a layer's library on its own needs only an entry point.
int main()
{
    return 0;
}
